#!/bin/sh
# Writes the encoded test files here with glibc's iconv, a converter apart
# from the ICU that reads them. Each text is short: a few characters, where
# detection cannot be sure, or a sentence, where it can.
set -eu
cd "$(dirname "$0")"
put() { printf '%s' "$3" | iconv -f UTF-8 -t "$2" > "$1"; }
put gb18030-short.txt GB18030 '中文'
put gb18030-sentence.txt GB18030 '正则表达式测试工具，可以用来匹配和替换文本。'
put big5-short.txt BIG5 '中文'
put big5-sentence.txt BIG5 '今天天氣很好，我們去公園散步吧。'
put shift_jis-short.txt SHIFT_JIS 'あい'
put shift_jis-sentence.txt SHIFT_JIS '今日はいい天気ですね。'
put euc-jp-sentence.txt EUC-JP 'これは日本語のテキストファイルです。正規表現を試すためのツールです。'
put euc-kr-sentence.txt EUC-KR '이것은 한국어 텍스트 파일입니다. 정규 표현식을 시험하는 도구입니다.'
put windows-1252-sentence.txt WINDOWS-1252 "Ceci est un texte en français, avec des accents: é, è, à, ç. C'est très bien."
put windows-1252-guess.txt WINDOWS-1252 'Café crème brûlée — «naïve» façade, déjà vu. Ça coûte 5 €.'
# 中文中 cut short in its last character.
printf '中文中' | head -c 8 > utf8-cut.txt
