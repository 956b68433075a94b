// Placeholder until the program lands.
namespace planetarium {}
