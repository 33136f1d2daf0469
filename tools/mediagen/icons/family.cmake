# Icons: the program's icon at the usual desktop sizes, from the logo.
mediagen_family(icons)
