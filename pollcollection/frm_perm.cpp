#include "pollcollection/frm_perm.h"

namespace norvel::poll {

frmPerm::frmPerm(common::Ui& ui) : Form(ui, "frmPerm", "Note", 5415, 3600) {
    addControl(txtPer, "txtPer", {120, 120, 5175, 2775});
    addControl(Command1, "Command1", {2160, 3045, 1095, 375});
    txtPer.setMultiLine(true);
    txtPer.setLocked(true);
    Command1.setCaption("Close");
    Command1.Click = [this] { Command1_Click(); };
}

std::string frmPerm::noteText() {
    const std::string crlf = "\r\n";
    // The apostrophe is the typographic one (U+2019), written as UTF-8.
    return "Poll files added successfully." + crlf +
           "In order for the poll to work permissions must be set correctly." + crlf + crlf +
           "Windows hosts" + crlf +
           // What the ASP poll really needs: it writes its data, lock and temporary files in
           // the poll folder, and hashes with two .NET Framework classes.
           "The web server\xE2\x80\x99s account (IUSR, or the application pool\xE2\x80\x99s "
           "identity) needs "
           "Modify permission on the poll folder (example asppollx): the poll writes its data "
           "files and short-lived lock and temporary files there. The ASP poll also needs the "
           ".NET Framework on the server (System.Security.Cryptography.SHA256Managed and "
           "System.Text.UTF8Encoding). (see help file for more info)" +
           crlf + crlf + "UNIX hosts" + crlf +
           // The scripts replace the data files by renaming new ones into the folder, and keep
           // their lock and login count there.
           "The web server must be able to write in the poll folder (example phppollx) and to "
           "both votes.htm and history.htm, ie chmod 777 for the folder and chmod 666 for the "
           "two files. (see help file for more info)" +
           crlf + crlf + "UNIX host using Chilisoft ASP" + crlf +
           "The ASP poll does not run there: Chilisoft ASP has no .NET Framework. Use the PHP "
           "poll.";
}

void frmPerm::Form_Load() {
    txtPer.setText(noteText());
}

void frmPerm::Command1_Click() {
    Unload();
}

}  // namespace norvel::poll
