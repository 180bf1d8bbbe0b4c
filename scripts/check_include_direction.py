#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Every layer's CMake target exports the source root, so the compiler finds an upward include
as readily as a downward one; this check reads the includes instead.
Usage: check_include_direction.py [SOURCE_DIR]
"""

import pathlib
import re
import sys

FRAMEWORK = ['framework/core', 'framework/platform', 'framework/graphics', 'framework/windows',
             'framework/forms', 'framework/stdctrls', 'framework/streaming']

# Each layer and the layers its files may include, its own among them. The two hosts sit beside
# each other on the platform interface; streaming needs only the core.
ALLOWED = {
    'framework/core': ['framework/core'],
    'framework/platform': FRAMEWORK[:2],
    'framework/platform/headless': FRAMEWORK[:2] + ['framework/platform/headless'],
    'framework/platform/qt': FRAMEWORK[:2] + ['framework/platform/qt'],
    'framework/graphics': FRAMEWORK[:3],
    'framework/windows': FRAMEWORK[:4],
    'framework/forms': FRAMEWORK[:5],
    'framework/stdctrls': FRAMEWORK[:6],
    'framework/streaming': ['framework/core', 'framework/streaming'],
    'controls': FRAMEWORK + ['controls'],
    'app': FRAMEWORK + ['app'],
    'tools': FRAMEWORK + ['framework/platform/headless', 'framework/platform/qt', 'controls',
                          'app', 'tools'],
}

# The program's entry point chooses the desktop host; the rest of the app never sees a host.
EXCEPTIONS = {'app/Saruvi.cpp': ['framework/platform/qt']}

PROJECT_ROOTS = ('framework/', 'controls/', 'app/', 'tools/', 'resources/', 'tests/', 'bench/',
                 'fuzz/')
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.MULTILINE)


def layer_of(path):
    """The deepest layer folder holding path, or None."""
    folder = pathlib.PurePosixPath(path).parent
    while str(folder) != '.':
        if str(folder) in ALLOWED:
            return str(folder)
        folder = folder.parent
    return None


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.').resolve()
    faults = []
    checked = 0
    for top in ('framework', 'controls', 'app', 'tools'):
        for file in sorted((root / top).rglob('*')):
            if file.suffix not in ('.h', '.cpp'):
                continue
            name = file.relative_to(root).as_posix()
            own = layer_of(name)
            if own is None:
                faults.append(f'{name}: in no layer; add its folder to {pathlib.Path(__file__).name}')
                continue
            checked += 1
            allowed = ALLOWED[own] + EXCEPTIONS.get(name, [])
            text = file.read_text(encoding='utf-8')
            for match in INCLUDE.finditer(text):
                target = match.group(1)
                if not target.startswith(PROJECT_ROOTS):
                    continue
                target_layer = layer_of(target)
                if target_layer not in allowed:
                    line = text.count('\n', 0, match.start()) + 1
                    faults.append(f'{name}:{line}: {own} includes {target} '
                                  f'({target_layer or "outside every layer"})')
    for fault in faults:
        print(fault, file=sys.stderr)
    if checked == 0:
        print(f'no sources found under {root}', file=sys.stderr)
        return 1
    print(f'{checked} files, {len(faults)} upward includes')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
