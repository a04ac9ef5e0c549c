// The maker's web pages that the program opens.
#pragma once

// The host is set when building (VANTREL_WEB_HOST).
void open_web_page(const char* path_and_query);
