#include "QtScreen.h"
