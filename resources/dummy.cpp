// The library exists for its Qt resources; this file gives it one translation unit.
