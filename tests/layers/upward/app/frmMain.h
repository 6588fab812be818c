#pragma once

#include "ui/Upward.h"
