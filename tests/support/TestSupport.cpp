// Placeholder translation unit so the support library always has a source.
