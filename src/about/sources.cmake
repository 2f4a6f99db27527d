# The About box.
