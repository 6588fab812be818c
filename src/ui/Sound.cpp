// Placeholder until the sound module lands.
#include "ui/Sound.h"
