// Wires the layers of the skinning engine together: the skin component's
// class for the form reader, the manager behind skin components, and the
// form skinner behind the manager. Every program calls it once, before it
// reads a form.
#pragma once

void InitSkinEngine();
