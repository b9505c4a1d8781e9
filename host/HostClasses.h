#pragma once
// Makes the standard component classes known to the form reader.
void RegisterHostClasses();
