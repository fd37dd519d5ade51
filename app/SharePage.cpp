#include "app/SharePage.h"

#include "framework/CStdioFile.h"
#include "robot/AppFolders.h"

const char kSharePageName[] = "robot_share.html";

namespace {

const char kDescriptionKey[] = "Description=";
const int kDescriptionKeyLength = 12;

const char kPageHead[] =
    "<HTML>\n"
    "<HEAD>\n"
    "<TITLE>Share Robot</TITLE>\n"
    "<STYLE TYPE=\"text/css\">\n"
    ".box { border: 1px solid #333333; }\n"
    ".text { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; }\n"
    ".title { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 14px; font-weight: bold; }\n"
    ".whiteTD { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; background-color: #FFFFFF; "
    "border: 1px solid #333333; }\n"
    ".blueTD { font-family: Verdana, Arial, Helvetica, sans-serif; font-size: 12px; background-color: #DDE6F7; "
    "border: 1px solid #333333; }\n"
    "body { margin: 0px; }\n"
    "</STYLE>\n"
    "</HEAD>\n"
    "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#OOOOOO\" LINK=\"#0000CC\" VLINK=\"#CC0000\" ALINK=\"#CC0000\">\n"
    "<BR><BR>\n"
    "<P CLASS=text>We encourage you to share your robot so that your robot can be reused by other users, also, they "
    "may get he idea to improve and modify your robot. We will reward the users who uploaded valualbe robots.<br><br>"
    "To start sharing your robot, verify the form below and click on 'Share Now' button.</P>\n"
    "<CENTER>\n"
    "<TABLE WIDTH=600 CELLPADDING=0 CELLSPACING=0 BORDER=0>\n"
    "<TR><TD>\n"
    "<FORM NAME=\"upload_robot\" METHOD=\"POST\" ACTION=\"https://www.orvantis.example/cgi-bin/marionet/upload.pl\">\n";

const char kPageTail[] = "<INPUT TYPE=\"submit\" VALUE=\"Share Now\">\n</FORM>\n</TD></TR>\n</TABLE>\n</BODY>\n</HTML>";

CString EscapeHtml(const CString& text)
{
    CString escaped;
    for (const char ch : text.Str()) {
        switch (ch) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

// A labelled text field; size 0 gives the field no size.
CString InputField(const char* label, const char* name, int size, const CString& value)
{
    CString field = FormatString("%s<BR>\n<INPUT TYPE=text NAME=%s", label, name);
    if (size > 0)
        field.AppendFormat(" size=%d", size);
    field += " value=\"" + EscapeHtml(value) + "\"><BR><BR>\n";
    return field;
}

}  // namespace

CString GetSharePageFolder()
{
    return GetUserDataFolder() + "\\" + "share\\";
}

bool ReadSharePageRobot(const CString& robotFilePath, CSharePageFields& fields)
{
    CStdioFile file;
    if (!file.Open(robotFilePath, CFile::modeRead | CFile::shareDenyNone))
        return false;
    fields.m_strScriptName = robotFilePath.Mid(robotFilePath.ReverseFind('\\') + 1);
    fields.m_strScript.Empty();
    fields.m_strDescription.Empty();
    CString line;
    while (file.ReadString(line)) {
        fields.m_strScript += line + "\n";
        if (line.Left(kDescriptionKeyLength) == kDescriptionKey)
            fields.m_strDescription = line.Mid(kDescriptionKeyLength);
    }
    return true;
}

CString ComposeSharePage(const CSharePageFields& fields)
{
    CString page = kPageHead;
    page += InputField("Robot Name:", "script_name", 100, fields.m_strScriptName);
    page += InputField("Robot Description:", "script_description", 0, fields.m_strDescription);
    page += "Robot Script:<BR>\n<TEXTAREA NAME=script_script ROWS=7 COLS=60>" + EscapeHtml(fields.m_strScript) +
            "</TEXTAREA><BR><BR>\n";
    page += InputField("Screen Resolution:", "screen_resolution", 40, fields.m_strScreenResolution);
    page += InputField("OS Version:", "os_version", 40, fields.m_strOsVersion);
    page += InputField("Orvantis Tapforge Version:", "mn_version", 40, "5.0");
    page += kPageTail;
    return page;
}
