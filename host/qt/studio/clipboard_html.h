// Markup on the clipboard: what Cut and Copy put there, and what Paste takes from it.
#pragma once

#include <QString>

class QMimeData;

namespace norvel::host::qt {

// HTML for the page from the clipboard's contents: its HTML (the fragment a browser marks
// with StartFragment/EndFragment comments, when it marks one), else its text written as HTML
// (&, < and > escaped, line breaks as <br>). Empty when it holds neither.
QString htmlToPaste(const QMimeData& data);

}  // namespace norvel::host::qt
