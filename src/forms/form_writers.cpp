#include "forms/form_writers.h"

#include "controls/static_controls.h"
#include "forms/subform_conversion.h"

namespace velorin {

const FormWriters& DefaultFormWriters() {
    static const FormWriters writers = [] {
        FormWriters w;
        w.label = WriteLabel;
        w.rectangle = WriteRectangle;
        w.line = WriteLine;
        w.picture = WritePicture;
        w.subform = ConvertSubformControl;
        return w;
    }();
    return writers;
}

}  // namespace velorin
