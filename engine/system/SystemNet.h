// The host's IP addresses and URL downloads.
#pragma once

#include <string>

// The index-th (1-based) address of this host in dotted form; "0.0.0.0" when
// there is no such address or no resolver.
std::string GetIPAddress(int index);

// Downloads the URL into the file through wininet. Only a 2xx answer counts;
// the data goes to a temporary file beside the target that replaces it only
// when complete. libraryMissing is set when wininet cannot be loaded.
bool DownloadUrlToFile(const char* url, const char* file, bool& libraryMissing);
