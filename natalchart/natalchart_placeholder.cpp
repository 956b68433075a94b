// Placeholder until the program lands.
namespace natalchart {}
