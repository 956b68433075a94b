// Placeholder until the program lands.
namespace biorhythm {}
