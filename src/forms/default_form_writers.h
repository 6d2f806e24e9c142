// The writers of every control class and form-level step this build has.
#pragma once

#include "form_context/form_writers.h"

namespace velorin {

const FormWriters& DefaultFormWriters();

}  // namespace velorin
