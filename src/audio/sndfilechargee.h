#pragma once
// libsndfile, opened the first time a sound file is read or written: its
// codec libraries (FLAC, Vorbis, Opus, MP3) are not loaded while the program
// starts, and a pupil who only hears words never pays for them.
#include <sndfile.h>

struct FonctionsSndfile {
    decltype(&::sf_open) ouvrir;
    decltype(&::sf_open_virtual) ouvrirVirtuel;
    decltype(&::sf_readf_float) lireFloat;
    decltype(&::sf_write_short) ecrireShort;
    decltype(&::sf_close) fermer;
};

// The library's functions, loaded once (from any thread); null when it is
// not installed.
const FonctionsSndfile *sndfile();
