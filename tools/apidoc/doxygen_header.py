#!/usr/bin/env python3
"""Writes a copy of a public header with its comments in Doxygen form.

The header keeps plain C comments; the API reference is built from this
copy. A "---- Name ----" section comment opens a group (one reference page
per family), the comment right above a run of declarations documents the
run's first export and, through a member group, its siblings (the ANSI twin,
the Enable/Disable/Is triple), and a comment after a declaration documents
that declaration.

    doxygen_header.py INPUT OUTPUT [GROUP]

GROUP names the one group of a header without section comments.
"""
import re, sys

def slug(name):
    return re.sub(r'[^a-z0-9]+', '_', name.lower()).strip('_')

def convert(path, output, group=None):
    lines = open(path).read().split('\n')
    if group:
        opening = lines.index('extern "C" {')
        lines.insert(opening + 2, '/* ---- %s ---- */' % group)
    n = len(lines)
    decl_start = lambda l: l.startswith('NW_EXPORT')
    def decl_end(j):
        while 'NW_NOEXCEPT;' not in lines[j]:
            j += 1
        return j
    in_group = False
    # comment blocks directly above a run of declarations (not section headers)
    doc_block_starts = set()
    # runs of consecutive declarations
    runs = []
    j = 0
    while j < n:
        if decl_start(lines[j]):
            start = j
            end = decl_end(j)
            while end + 1 < n and decl_start(lines[end + 1]):
                end = decl_end(end + 1)
            runs.append((start, end))
            j = end + 1
        else:
            j += 1
    run_first = {}
    for start, end in runs:
        top = start
        if lines[start - 1].rstrip().endswith('*/') and not lines[start - 1].lstrip().startswith('NW_'):
            k = start - 1
            while not lines[k].lstrip().startswith('/*'):
                k -= 1
            if '----' not in lines[k]:
                doc_block_starts.add(k)
                top = k
        run_first[top] = end
    result = []
    group_name, named = None, False
    i = 0
    while i < n:
        line = lines[i]
        m = re.match(r'^/\* ---- (.+?) -+( \*/)?$', line)
        if m:
            if in_group:
                result.append('/** @} */')
                result.append('')
            name = m.group(1)
            group_name, named = name, False
            result.append('/** @defgroup %s %s' % (slug(name), name))
            if m.group(2):
                result.append(' * @{ */')
            else:
                i += 1
                while not lines[i].rstrip().endswith('*/'):
                    result.append(lines[i])
                    i += 1
                last = lines[i].rstrip()[:-2].rstrip()
                if last.strip() not in ('', '*'):
                    result.append(last)
                result.append(' * @{ */')
            in_group = True
            i += 1
            continue
        if in_group and line.startswith('#ifdef __cplusplus') and i + 1 < n and lines[i + 1].strip() == '}':
            result.append('/** @} */')
            result.append('')
            in_group = False
        if i in run_first:
            end = run_first[i]
            multi = sum(1 for k in range(i, end + 1) if decl_start(lines[k])) > 1
            if multi:
                # A one-line comment above a member group is its heading.
                # The first member group of a group needs a heading of its
                # own, or Doxygen does not share the first member's text.
                heading = re.match(r'^/\* (.*) \*/$', result[-1]) if result else None
                if heading:
                    result[-1] = '/** @name %s */' % heading.group(1)
                    named = True
                elif in_group and not named:
                    result.append('/** @name %s */' % group_name)
                    named = True
                result.append('/**@{*/')
            for k in range(i, end + 1):
                l = lines[k]
                if k == i and k in doc_block_starts:
                    l = l.replace('/*', '/**', 1)
                if 'NW_NOEXCEPT;' in l:
                    head, tail = l.split('NW_NOEXCEPT;', 1)
                    tail = tail.replace('/*', '/**<', 1)
                    l = head + 'NW_NOEXCEPT;' + tail
                result.append(l)
            if multi:
                result.append('/**@}*/')
            i = end + 1
            continue
        result.append(line)
        i += 1
    open(output, 'w').write('\n'.join(result))

if __name__ == '__main__':
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    convert(*sys.argv[1:])
