#!/usr/bin/env bash
# Prints the Windows architecture whose programs this machine runs under
# Wine: i686 where the kernel runs 32-bit programs (Wine's 32-bit loader
# starts), x86_64 where it does not (some virtual machines' kernels lack it).
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo i686; else echo x86_64; fi
