#include "ui/forms.h"

extern const FormDescription MainForm;
extern const FormDescription AboutForm;

namespace {
const FormDescription* const kProgramForms[] = {&MainForm, &AboutForm};
}  // namespace

FormTable ProgramForms() {
  return {kProgramForms, sizeof kProgramForms / sizeof kProgramForms[0]};
}
