#pragma once

// All control classes of the framework.
#include "BevelButton.h"
#include "Canvas.h"
#include "GroupBox.h"
#include "Label.h"
#include "Listbox.h"
#include "PopupMenu.h"
#include "PushButton.h"
#include "Rectangle.h"
#include "RoundRectangle.h"
#include "Slider.h"
#include "TextField.h"
