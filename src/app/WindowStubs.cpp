// Stand-ins for windows that have not been built yet. Each window's own file
// replaces its line here when it lands.
#include "app/Windows.h"

