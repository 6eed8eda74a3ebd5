#pragma once
// Every control of the main window as plain data: kind, name, caption or
// default text, place and size in twips (1/1440 inch, 15 twips per pixel at
// 96 dpi), colour, font and visibility at open. The window builds its widgets
// from this table and the headless runner reads it to print the window's
// captioned fields, so it must not depend on Qt.

#include <string>
#include <vector>

#include "run/controlstate.h"
#include "run/runrecord.h"

namespace lamvero {

enum class ControlKind {
  Label,        // static text
  TextBox,      // one-line text the program reads and writes
  Button,       // command button with a click event
  DrawingArea,  // plot with a user scale and a backing image
  Picture,      // fixed annotation: text, optionally vertical, optionally with an arrow
  Logo,         // the program's emblem
  Line,         // separator from (left, top) to (left + width, top + height)
};

// Reading direction of a picture's text.
enum class TextDirection { Horizontal, TopToBottom, BottomToTop };

// The catalogue context of the calculator area's own captions and tooltips.
constexpr const char* kControlContext = "Rechnerfenster";

struct ControlRow {
  ControlKind kind = ControlKind::Label;
  std::string name;        // object name, e.g. "txt_Dicke"
  std::string caption;     // caption of a label, button or picture; default text of a text box
  int left = 0, top = 0, width = 0, height = 0;  // twips from the client area's top-left corner
  Rgb colour{0, 0, 0};     // text colour, or line colour
  double pointSize = 9;    // font size in points (Arial)
  bool bold = true;
  bool visibleAtOpen = true;
  std::string label;       // a text box's label ("lbl_Dicke"); empty otherwise
  Rgb background{255, 255, 255};
  TextDirection direction = TextDirection::Horizontal;
  bool arrow = false;      // a picture's text is followed by an arrow in reading direction
  int lineWidth = 1;       // a separator's pen width in pixels
  int userWidth = 0, userHeight = 0;  // a drawing area's user scale
  int mnemonic = -1;       // a button's Alt-key letter: its index in the caption
  std::string font = "Arial";  // font family
  // A text box's value explained for its tooltip: what it means and the unit
  // it is shown in ("" for a pure number); empty for every other control.
  std::string meaning;
  std::string unit;
  // The catalogue context of the caption: the input fields' or the results'
  // table for their rows, the calculator area's own otherwise.
  const char* context = kControlContext;
};

constexpr int kWindowWidthTwips = 15300;
constexpr int kWindowHeightTwips = 11085;
constexpr int kTwipsPerPixel = 15;  // at 96 dpi
extern const char* const kWindowCaption;

// All controls: the left column top to bottom (each label before its box),
// then buttons, warnings, drawing areas, annotations, legends, title and
// credit block, and the separator lines.
const std::vector<ControlRow>& ControlTable();

// The entry of that name, or nullptr.
const ControlRow* FindControl(const std::string& name);

// The tooltip of a text box, one fact a line: its meaning and unit, and for an
// input box also its default text and the range a brick dryer usually sees.
// Empty for a control without a meaning.
std::string ToolTipText(const ControlRow& row);

// A caption or text as the user reads it: a text box's default with the
// language's decimal separator, any other control's caption in the language.
// The table keeps the German texts.
std::string ShownCaption(const ControlRow& row);
// A text a run gave the control of that name as the user reads it: a box's
// as the record keeps it (already in the reader's form), a label's German
// caption in the language.
std::string ShownControlText(const std::string& name, const std::string& text);

// How that control looks when the window opens: caption or default text,
// visibility and colour (blank and hidden for an unknown name).
ControlState ControlAtOpen(const std::string& name);

}  // namespace lamvero
