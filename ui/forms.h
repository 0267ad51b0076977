// Windows are described as constant tables; the window services build any
// window from its description.
#pragma once

#include <cstdint>

#include "services/window_services.h"

enum class EntryKind : uint8_t { Window, GroupBox, Label, TransLabel, EditBox, Button };

// Stands for the system's 3D face colour; other colours are 0x00BBGGRR.
constexpr uint32_t DefaultColor = 0xFF000000;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kRed = 0x000000FF;

// The fields of a logical font; an empty face name lets the system choose.
struct FontSpec {
  int32_t height;  // negative: character height in pixels
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  bool italic;
  bool underline;
  bool strikeOut;
  char faceName[32];
};

// The complete bytes of an icon file.
struct Image {
  const unsigned char* bytes;
  uint32_t size;
};

using EventRoutine = void (*)();

struct Rect {
  int32_t left, top, width, height;
};

constexpr uint32_t kClientArea = 0;  // Parent of a control placed on the client area
enum HAlign : uint8_t { kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2 };
enum VAlign : uint8_t { kAlignTop = 0, kAlignMiddle = 1, kAlignBottom = 2 };

// One record for every kind; a kind reads only the fields it has. Positions
// count from the parent's top-left corner (for a window: the screen), sizes
// are outer sizes.
struct FormEntry {
  uint32_t entryId = 0;
  EntryKind kind = EntryKind::Window;
  const char* name = "";
  Rect rect = {};
  uint32_t parent = kClientArea;  // the containing group box
  bool visible = true;
  bool disabled = false;
  bool tabStop = false;
  int32_t tabOrder = 0;
  EventRoutine event0 = nullptr;  // a window's created event, a button's click

  // Shared by the control kinds; Title for the window entry.
  const char* caption = "";
  uint32_t textColor = kBlack;
  uint32_t backColor = DefaultColor;
  const FontSpec* font = nullptr;  // null: the default GUI font
  uint8_t hAlign = kAlignLeft;
  uint8_t vAlign = kAlignTop;
  bool wordWrap = false;
  uint8_t edgeStyle = 0;  // 1: sunken

  // Edit boxes.
  bool multiLine = false;
  uint32_t maxLength = 0;  // 0: only the toolkit's own limit
  uint8_t inputMode = 0;   // free input
  bool hideSelection = true;

  // Window entry.
  uint8_t border = 2;  // fixed frame
  bool controlBox = true;
  bool maxButton = false;
  bool minButton = false;
  uint8_t startPosition = 0;  // 0: at left/top, 1: centred on the screen
  bool movable = true;
  const Image* backPicture = nullptr;
  uint8_t pictureMode = 1;     // tiled from the top-left corner
  const Image* icon = nullptr;  // null: the program's own icon
  bool showInTaskbar = true;
  bool alwaysOnTop = false;
  bool escCloses = true;
  bool enterMovesFocus = false;
};

struct FormDescription {
  WindowId windowId;
  const FormEntry* entries;  // the window entry first, then its controls
  uint32_t entryCount;
};

struct FormTable {
  const FormDescription* const* forms;
  uint32_t count;
};

// Every window of the program.
FormTable ProgramForms();

// Kind defaults for the control entries.
constexpr FormEntry GroupBox(uint32_t id, const char* name, uint32_t parent, Rect rect) {
  FormEntry e;
  e.entryId = id;
  e.kind = EntryKind::GroupBox;
  e.name = name;
  e.parent = parent;
  e.rect = rect;
  return e;
}

constexpr FormEntry EditBox(uint32_t id, const char* name, uint32_t parent, Rect rect) {
  FormEntry e = GroupBox(id, name, parent, rect);
  e.kind = EntryKind::EditBox;
  e.tabStop = true;
  e.backColor = kWhite;
  e.edgeStyle = 1;
  return e;
}

constexpr FormEntry Button(uint32_t id, const char* name, uint32_t parent, Rect rect,
                           const char* caption, EventRoutine click) {
  FormEntry e = GroupBox(id, name, parent, rect);
  e.kind = EntryKind::Button;
  e.tabStop = true;
  e.caption = caption;
  e.hAlign = kAlignCentre;
  e.vAlign = kAlignMiddle;
  e.event0 = click;
  return e;
}

constexpr FormEntry Label(uint32_t id, const char* name, uint32_t parent, Rect rect,
                          const char* caption, uint32_t textColor) {
  FormEntry e = GroupBox(id, name, parent, rect);
  e.kind = EntryKind::Label;
  e.caption = caption;
  e.textColor = textColor;
  e.vAlign = kAlignMiddle;
  return e;
}

// Paints only its text: whatever lies beneath shows through.
constexpr FormEntry TransLabel(uint32_t id, const char* name, uint32_t parent, Rect rect,
                               const char* caption, uint32_t textColor, const FontSpec* font) {
  FormEntry e = Label(id, name, parent, rect, caption, textColor);
  e.kind = EntryKind::TransLabel;
  e.wordWrap = true;
  e.font = font;
  return e;
}
