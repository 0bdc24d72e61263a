#pragma once

#include <QString>

// The running executable's file version as four numbers joined by ".", major
// first ("1.0.0.1"). Empty when the executable carries no readable version.
QString VersaoDoExecutavel();
