#include "ui/app_icon.h"

namespace {
const unsigned char kAppIconBytes[] = {
#include "tavrino_icon.inc"
};
}  // namespace

const Image AppIcon = {kAppIconBytes, sizeof kAppIconBytes};
