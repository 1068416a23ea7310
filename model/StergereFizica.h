#pragma once

namespace tezaurel {

class Colectie;

// Removes the problems marked as deleted, with their pictures, and compacts
// the collection file. It tells the user nothing itself: what there is to
// tell is announced (Colectie::IaAnunturile). Returns true when the file was rewritten and the main
// window must run its load sequence again to reload the collection.
//
// The compacted collection is written beside the old one and put in its place
// in one step, and pictures are deleted only after that: a purge stopped at
// any point leaves either the old collection or the new one, never a mix, and
// never a problem without its picture.
bool StergereFizica(Colectie &definitii);

} // namespace tezaurel
