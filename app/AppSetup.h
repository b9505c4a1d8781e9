// What every program that shows the calculator's form does first.
#pragma once

// Common controls, the class registry and the application's title; needs
// the application object.
void PrepareApplication();
