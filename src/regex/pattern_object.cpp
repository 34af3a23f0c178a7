// The pattern engine: filled in by the engine work.
