// Placeholder until the program lands.
namespace chartanim {}
