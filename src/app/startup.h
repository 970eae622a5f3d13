#pragma once

#include "app/program.h"
