# Audio: every sound effect, jingle and piece of music, and the audio sheet.
# Encoded with libvorbisenc; each file is checked through the game's own
# decoder, so the generator links the engine.
pkg_check_modules(MEDIAGEN_AUDIO_DEPS REQUIRED IMPORTED_TARGET ogg vorbis vorbisenc)
target_link_libraries(mediagen_objects PUBLIC PkgConfig::MEDIAGEN_AUDIO_DEPS wispwood_engine)
mediagen_family(audio)
