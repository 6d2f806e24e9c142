#include "session/string_table.h"

#include <algorithm>
#include <iterator>

namespace velorin {
namespace {

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr Entry kTexts[] = {
    {12, "Required DLL vlrn.dll not found.  Please reinstall application."},
    {14, "Required file vlrn.db not found.  Please reinstall application."},
    {15, "Save session settings?"},
    {17, "The output path must be specified."},
    {18, "The specified directory does not exist.  Do you want to create it?"},
    {19, "Nothing to convert!"},
    {20,
     "Invalid database file selected.  Velorin reads an Access 97 database (.mdb) or the folder "
     "of its text export, without Access; the workgroup file, user name and password do not "
     "change what it can read.  If this is an Access 2.0 or Access 7.0 database, convert it to an "
     "Access97 database in Access first."},
    {25,
     "Either the Sheridan Data Widgets or the GreenTree DataList controls need to be installed for "
     "the converted Visual Basic project to open.  Velorin cannot find either of these controls.  "
     "You can proceed with the conversion, but the project will not open on this machine.  Do you "
     "wish to continue?"},
    {26,
     "Access security information initialized.  Click 'OK' to proceed with conversion process."},
    {27,
     "There are existing Visual Basic files in the selected output directory.  These files will be "
     "deleted during a conversion.  Are you sure that you want to convert to this directory?"},
    {28,
     "Microsoft Access97 is required by Velorin.  Please install Access97, and then run Velorin."},
    {29,
     "The database that you have chosen to convert is not compiled.  The conversion accuracy will "
     "be improved if you compile the database before converting it.  Do you wish to close Velorin "
     "and compile your database?"},
    {30, "The form "},
    {31, " has "},
    {32, " controls.  Visual Basic has a limit of "},
    {33,
     " controls, and Velorin was unable to find a way to reduce the control count.  The form will "
     "not be converted."},
    {34,
     " controls.  Velorin can reduce the control count by converting some of the labels into "
     "Control "
     "Arrays.  Do you want Velorin to do this?"},
    {100, "&Main"},
    {101, "&Help"},
    {102, "&Start Translation"},
    {103, "E&xit"},
    {104, "&Help Topics"},
    {105, "&What's This"},
    {107, "&About"},
    {201, "[Translation credit]"},
    {204, "Security Information"},
    {205, "Location of Access MD&W:"},
    {206, "&User Name:"},
    {207, "&Password:"},
    {209, "&Listbox Type"},
    {210, "&Combobox Type"},
    {211, "Optional Controls"},
    {212, "Listbox Mode"},
    {213, "Combobox Mode"},
    {214, "Bound"},
    {215, "Unbound"},
    {216, "Use Standard &VB Controls"},
    {217, "Create MD&I Project"},
    {219, "Access Database To Convert"},
    {220, "&Database or Export Folder:"},
    {221, "Output &Path:"},
    {222, "Fo&rms"},
    {223, "Mod&ules"},
    {224, "Select &All"},
    {225, "Project Type"},
    {226, "Conversion Progress"},
    {227, "Converting..."},
    {228, "Time Elapsed:"},
    {229, "OK"},
    {230, "Cancel"},
    {231, "Reports"},
    {232,
     "Select the Access to Visual Basic Conversion Analysis reports that you want to print out, "
     "and press OK.  Press Cancel to not print any reports.  The analysis stays in your support "
     "database (vlrn.db in ~/.local/share/velorin) until the next conversion: print the reports "
     "later with \"velorin reports -o analysis.pdf\", or list them with \"velorin reports\"."},
    {233, "Conversion Analysis"},
    {234, "minute"},
    {235, "minutes"},
    {236, "seconds"},
};

}  // namespace

std::string_view LoadText(int id) {
    auto it = std::lower_bound(std::begin(kTexts), std::end(kTexts), id,
                               [](const Entry& e, int wanted) { return e.id < wanted; });
    return it != std::end(kTexts) && it->id == id ? it->text : std::string_view();
}

std::string ElapsedTimeText(long seconds) {
    long minutes = seconds / 60;
    std::string text(LoadText(text_id::kTimeElapsed));
    text += " " + std::to_string(minutes) + " ";
    text += LoadText(minutes == 1 ? text_id::kMinute : text_id::kMinutes);
    text += " " + std::to_string(seconds % 60) + " ";
    text += LoadText(text_id::kSeconds);
    return text;
}

}  // namespace velorin
