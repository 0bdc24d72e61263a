#pragma once

#include <QString>
#include <exception>

namespace plataforma {

// What to tell the person at the keyboard when an exception ends the program: running out of
// memory by its name, anything else by its own message. The program then exits with status 1.
QString fatalErrorMessage(std::exception_ptr error);

} // namespace plataforma
