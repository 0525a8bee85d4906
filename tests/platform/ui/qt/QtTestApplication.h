#pragma once
// GUI test programs that link QtTestApplication.cpp get one QApplication with the Qt backends
// installed for the whole run, made before the first test and gone before the program exits.
namespace velorin::test {

// Kept for readability at the top of fixtures: the application already exists when tests run.
inline void EnsureQtBackends() {}

}  // namespace velorin::test
