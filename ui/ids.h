// Ids by which the routines name the program's windows and controls.
#pragma once

#include "services/window_services.h"

constexpr WindowId MainWindowId = 0x52010001;
constexpr WindowId AboutWindowId = 0x52010035;

constexpr ControlId ChannelIdBox = 0x16010008;     // 编辑框_频道ID
constexpr ControlId WebTicketBox = 0x1601001B;     // 编辑框_频道代码
constexpr ControlId ClientTicketBox = 0x16010017;  // 编辑框_YY飞机
