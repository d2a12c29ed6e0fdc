// What the port box may hold before its text becomes part of a command line run with administrator
// rights: a port number and nothing else.
#pragma once

#include <string_view>

// One to five ASCII digits without a leading zero, of a value from 1 to 65535. Blanks, signs,
// full-width digits, ranges, lists, keywords and every shell character are refused.
bool IsValidPort(std::string_view text);
