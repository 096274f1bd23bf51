#include "Dialogs.h"

#include <algorithm>
#include <vector>

namespace kritz::win {

bool TOpenDialog::Execute()
{
    // The system separates the filter's parts with NULs and ends it with two.
    std::string filter = m_filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::vector<char> file(32 * 1024, '\0');
    std::copy_n(m_fileName.begin(), std::min(m_fileName.size(), file.size() - 1), file.begin());

    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();
    request.lpstrDefExt = m_defaultExt.empty() ? nullptr : m_defaultExt.c_str();
    // ofExtensionDifferent is an answer of the system, not a request.
    request.Flags = (m_options & ~DWORD{ofExtensionDifferent}) | OFN_EXPLORER | OFN_ENABLESIZING;
    if (!Run(request))
        return false;
    m_fileName = file.data();
    return true;
}

}
