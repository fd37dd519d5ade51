// A private base for classes that own something (a handle, a window, a COM
// pointer, a setting to put back) that two objects must never both let go of:
//
//     class CRegistryKey : private CNonCopyable
//
// deletes the copy constructor and copy assignment of the derived class.
#pragma once

class CNonCopyable
{
public:
    CNonCopyable(const CNonCopyable&) = delete;
    CNonCopyable& operator=(const CNonCopyable&) = delete;

protected:
    CNonCopyable() = default;
    ~CNonCopyable() = default;
};
