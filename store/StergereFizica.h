#pragma once

class mDefinitii;

// Removes the problems marked as deleted, with their pictures, and compacts
// the collection file. Returns true when the main window must run its load
// sequence again to reload the collection.
bool StergereFizica(mDefinitii &definitii);
