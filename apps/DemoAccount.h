#pragma once

#include <QString>

// The user's demo account, for the commands that open on it when given nothing else: the
// demo database and a template exporting it, both in the user's data folder and written on
// first use. Both throw std::runtime_error when they cannot be written.
namespace demo_account {

// The folder they are kept in, made when missing.
QString Folder();
// The demo account database.
QString Database();
// The shipped demo template with its servers on the demo account database (the shipped one
// names a database in the current directory). Needs the application object.
QString Template();

}  // namespace demo_account
