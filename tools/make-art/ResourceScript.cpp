#include "tools/make-art/ResourceScript.h"

#include <sstream>

#include "platform/ui/Dialog.h"
#include "resources/DialogLayouts.h"
#include "resources/Strings.h"
#include "resources/WindowTemplates.h"

namespace art {
namespace {

using platform::ui::ControlKind;
using platform::ui::DialogControl;
using platform::ui::DialogLayout;

constexpr std::string_view kHeader =
    "// The launcher's Windows resources. Written by make-art from the string table, the dialog\n"
    "// layouts and the window templates of resources/; rerun make-art rather than editing this\n"
    "// file.\n"
    "#pragma code_page(65001)\n"
    "#include <windows.h>\n";

// A pop-up window with a caption, the window menu and a modal frame, in the layout's own font.
constexpr std::string_view kDialogStyle =
    "DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU";

void WritePictures(std::ostream& out) {
    out << '\n' << kIconId << " ICON " << ScriptString(IconFile()) << '\n';
    out << kCursorId << " CURSOR " << ScriptString(CursorFile()) << '\n';
    for (const platform::ui::PictureScale& scale : platform::ui::kPictureScales) {
        out << "// The bitmaps drawn at " << scale.factor << "x, as their ids + "
            << scale.resourceIdOffset << '\n';
        for (const int id : kBitmapIds) {
            out << id + scale.resourceIdOffset << " BITMAP " << ScriptString(BitmapFile(id, scale))
                << '\n';
        }
    }
}

void WriteStringTable(std::ostream& out) {
    out << "\nSTRINGTABLE\nBEGIN\n";
    for (const resources::ResourceString& entry : resources::ResourceStrings()) {
        out << "    " << entry.id << ", " << ScriptString(entry.text) << '\n';
    }
    out << "END\n";
}

std::string_view Statement(ControlKind kind) {
    switch (kind) {
        case ControlKind::Text:
            return "LTEXT";
        case ControlKind::Button:
            return "PUSHBUTTON";
        case ControlKind::DefaultButton:
            return "DEFPUSHBUTTON";
        case ControlKind::ApplicationIcon:
            return "ICON";
    }
    return "LTEXT";
}

void WriteControl(std::ostream& out, const DialogControl& control) {
    out << "    " << Statement(control.kind) << ' ';
    if (control.kind == ControlKind::ApplicationIcon) {
        out << kIconId;
    } else {
        out << ScriptString(control.text);
    }
    out << ", " << control.id << ", " << control.x << ", " << control.y << ", " << control.width
        << ", " << control.height << '\n';
}

void WriteDialog(std::ostream& out, const DialogLayout& layout) {
    out << '\n'
        << layout.resourceId << " DIALOGEX 0, 0, " << layout.width << ", " << layout.height
        << "\nSTYLE " << kDialogStyle << "\nCAPTION " << ScriptString(layout.caption) << "\nFONT "
        << layout.fontPoints << ", " << ScriptString(layout.fontFace) << "\nBEGIN\n";
    for (const DialogControl& control : layout.controls) {
        WriteControl(out, control);
    }
    out << "END\n";
}

// The launcher's own windows: no controls, and the font every dialog of the program has.
void WriteWindowTemplate(std::ostream& out, const resources::WindowTemplate& window) {
    const DialogLayout font;
    out << '\n'
        << window.style.templateId << " DIALOGEX 0, 0, " << window.width << ", " << window.height
        << "\nSTYLE " << window.styles << '\n';
    if (!window.extendedStyles.empty()) {
        out << "EXSTYLE " << window.extendedStyles << '\n';
    }
    if (!window.style.caption.empty()) {
        out << "CAPTION " << ScriptString(window.style.caption) << '\n';
    }
    out << "FONT " << font.fontPoints << ", " << ScriptString(font.fontFace) << "\nBEGIN\nEND\n";
}

void WriteVersion(std::ostream& out) {
    const std::string version =
        std::to_string(VELORIN_VERSION_MAJOR) + "." + std::to_string(VELORIN_VERSION_MINOR);
    const std::string numbers = std::to_string(VELORIN_VERSION_MAJOR) + "," +
                                std::to_string(VELORIN_VERSION_MINOR) + ",0,0";
    out << "\n1 VERSIONINFO\nFILEVERSION " << numbers << "\nPRODUCTVERSION " << numbers
        << "\nFILEOS VOS_NT_WINDOWS32\nFILETYPE VFT_APP\nBEGIN\n"
        << "    BLOCK \"StringFileInfo\"\n    BEGIN\n        BLOCK \"040904B0\"\n        BEGIN\n"
        << "            VALUE \"FileDescription\", \"Velorin Launcher\"\n"
        << "            VALUE \"FileVersion\", " << ScriptString(version) << '\n'
        << "            VALUE \"OriginalFilename\", \"velorin-launcher.exe\"\n"
        << "            VALUE \"ProductName\", \"Velorin\"\n"
        << "            VALUE \"ProductVersion\", " << ScriptString(version) << '\n'
        << "        END\n    END\n"
        << "    BLOCK \"VarFileInfo\"\n    BEGIN\n        VALUE \"Translation\", 0x409, 1200\n"
        << "    END\nEND\n";
}

}  // namespace

std::string BitmapFile(int id, const platform::ui::PictureScale& scale) {
    return "images/bitmap-" + std::to_string(id) + scale.fileSuffix + ".bmp";
}
std::string IconFile() {
    return "images/icon-" + std::to_string(kIconId) + ".ico";
}
std::string CursorFile() {
    return "images/cursor-" + std::to_string(kCursorId) + ".cur";
}

std::string ScriptString(std::string_view text) {
    std::string literal = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                literal += "\"\"";
                break;
            case '\\':
                literal += "\\\\";
                break;
            case '\n':
                literal += "\\n";
                break;
            case '\t':
                literal += "\\t";
                break;
            case '\r':
                literal += "\\r";
                break;
            default:
                literal += c;
        }
    }
    return literal + "\"";
}

std::string ResourceScript() {
    std::ostringstream out;
    out << kHeader;
    WritePictures(out);
    WriteStringTable(out);
    for (const DialogLayout& layout : resources::DialogLayouts()) {
        WriteDialog(out, layout);
    }
    for (const resources::WindowTemplate& window : resources::WindowTemplates()) {
        WriteWindowTemplate(out, window);
    }
    WriteVersion(out);
    return out.str();
}

}  // namespace art
