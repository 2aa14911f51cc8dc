#pragma once

#include <QString>

// The converter loads its type map "type_ref.xml" from the current directory when it is
// created. While a TypeMapScope lives, the current directory is the folder of the map shipped
// with the program (beside it in a build, share/tabrix once installed), unless the directory
// the user is in has a map of its own; the directory comes back when the scope ends, so
// relative template and output paths still resolve from where the user started the program.
// Needs the application object (it looks beside the program).
class TypeMapScope {
public:
    TypeMapScope();
    ~TypeMapScope();
    TypeMapScope(const TypeMapScope&) = delete;
    TypeMapScope& operator=(const TypeMapScope&) = delete;

    // The folder of the shipped map, or empty when the current directory's map is used (or
    // there is no map at all).
    static QString ShippedMapFolder();
    // The data file of that name shipped with the program (the map's folder), whatever the
    // current directory holds; empty when there is none.
    static QString ShippedFile(const QString& name);

private:
    QString m_previous;  // empty when the directory was not changed
};
