#include "calsat/TextBoxSearch.h"

#include "calsat/CalsatInterface.h"

namespace zt {

bool EnumTextBoxProc(WindowHandle hwnd, TTextBoxSearch& context) {
    if (context.Windows.ClassName(hwnd) != PassTableClass ||
        context.Windows.ControlId(hwnd) != PassTableId)
        return true;
    context.Text = context.Windows.Text(hwnd, PassTableMaxChars);
    context.Found = true;
    return false;
}

} // namespace zt
