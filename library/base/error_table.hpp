// error_table.hpp - look-up of the fixed message tables (library-internal).
#pragma once

#include <string_view>

// Text of a library error number; empty for a number without one.
std::string_view yyerrortext(int number);
// Text of a compression-library status -6..2; empty for 0 and any other number.
std::string_view yycompressiontext(int status);
// Text of a Simple MAPI result code 1..25; empty for a code without one.
std::string_view yymailtext(int code);
// How many library error numbers have a text.
int yyerrortextcount();
