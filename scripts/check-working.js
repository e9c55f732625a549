// Reads the working as LaTeX (the Working panel's "Copy LaTeX") and parses
// every align* block with KaTeX, as strictly as it goes: any error, any
// construct KaTeX would only warn about, prints the block and the error and
// exits 1. Lines outside the blocks must be comments or blank, since anything
// else would be typeset as text; the blocks must hold ASCII only and no blank
// line, which LaTeX itself needs and KaTeX does not check. Prints how many
// blocks parsed.
//
//   NODE_PATH=KATEX/node_modules node scripts/check-working.js FILE.tex...
'use strict';
const fs = require('fs');
const katex = require('katex');

const BEGIN = '\\begin{align*}';
const END = '\\end{align*}';

// The blocks of one file, each with the line it starts on; throws on a line
// that is neither in a block, a comment nor blank, on a blank line or a
// character outside ASCII in a block (LaTeX refuses both, KaTeX neither), and
// on a block left open.
function blocksOf(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const blocks = [];
  let block = null;
  lines.forEach((line, i) => {
    const where = `${file}:${i + 1}`;
    if (block === null) {
      if (line.trim() === '' || line.startsWith('%'))
        return;
      if (line !== BEGIN)
        throw new Error(`${where}: a line outside any ${BEGIN} block: ${line}`);
      block = {where, lines: [line]};
      return;
    }
    if (line.trim() === '') // LaTeX ends a paragraph there, which align* refuses
      throw new Error(`${where}: a blank line inside the block begun at ${block.where}`);
    if (line === BEGIN)
      throw new Error(`${where}: a block begun inside the block begun at ${block.where}`);
    // KaTeX takes ², ·, ° and − in math, LaTeX (pdflatex) does not.
    const foreign = line.match(/[^\x00-\x7f]/);
    if (foreign)
      throw new Error(`${where}: ${JSON.stringify(foreign[0])} (U+${foreign[0].codePointAt(0).toString(16).toUpperCase().padStart(4, '0')}) in the block begun at ${block.where}, which LaTeX's math does not take: ${line}`);
    block.lines.push(line);
    if (line === END) {
      blocks.push({where: block.where, tex: block.lines.join('\n')});
      block = null;
    }
  });
  if (block !== null)
    throw new Error(`${block.where}: a block that is never ended`);
  return blocks;
}

const files = process.argv.slice(2);
if (files.length === 0) {
  console.error('usage: node scripts/check-working.js FILE.tex...');
  process.exit(2);
}
let parsed = 0;
for (const file of files) {
  let blocks;
  try {
    blocks = blocksOf(file);
  } catch (e) {
    console.error(`check-working: ${e.message}`);
    process.exit(1);
  }
  if (blocks.length === 0) {
    console.error(`check-working: ${file} holds no ${BEGIN} block`);
    process.exit(1);
  }
  for (const b of blocks) {
    try {
      katex.renderToString(b.tex, {displayMode: true, throwOnError: true, strict: 'error'});
    } catch (e) {
      console.error(`check-working: KaTeX ${katex.version} refuses the block at ${b.where}:\n${b.tex}\n${e.message}`);
      process.exit(1);
    }
    ++parsed;
  }
  console.log(`${file}: ${blocks.length} blocks parsed`);
}
console.log(`KaTeX ${katex.version} parsed all ${parsed} blocks`);
