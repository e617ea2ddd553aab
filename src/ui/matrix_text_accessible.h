#pragma once

namespace selvaris::ui {

// Lets screen readers read a MatrixTextBox as they read a read-only text
// field: its name, its text as the value and through the text interface, and
// its selection. Installed once; later calls do nothing.
void InstallMatrixTextAccessibility();

}  // namespace selvaris::ui
