#pragma once

#include "ui/forms.h"

// The program's icon file, also drawn as the about window's background.
extern const Image AppIcon;
