#include "state/problem_state.h"
