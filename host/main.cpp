// bindershelf: the terminal stand-in for the file manager that loads the catalog module.
#include "host/HostOptions.h"
#include "host/HostProgram.h"

int main(int argc, char** argv) {
  using namespace bindershelf::host;
  try {
    return RunHost(ParseHostOptions(argc, argv));
  } catch (const TOptionsExit& exit) {
    return exit.code;
  }
}
