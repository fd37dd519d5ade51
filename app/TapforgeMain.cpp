// The program: its one application object. The framework's entry point runs
// it.
#include "app/CMarionetApp.h"

CMarionetApp theApp;
