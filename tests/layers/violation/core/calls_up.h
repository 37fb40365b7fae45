// A core header that reaches up into the lists: the layer check must refuse it.
#pragma once
#include "lists/recent_list.h"
