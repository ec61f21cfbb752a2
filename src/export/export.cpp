#include "export/export.h"
