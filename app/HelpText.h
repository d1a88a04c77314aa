#pragma once
#include <string>

// The user documentation that the help window shows: lines joined by a carriage
// return each, with no line end after the last line. Built on first use.
const std::string& HelpText();
