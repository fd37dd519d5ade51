#pragma once

// Opens "help.chm" beside the program with HTML Help; when no help window
// comes up, says so and names the support page.
void ShowHelpFile();
