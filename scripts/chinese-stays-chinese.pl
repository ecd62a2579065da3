#!/usr/bin/perl
# In the Chinese interface's translation file, a text written in Chinese is shown as written:
# its untranslated entry becomes a finished translation equal to its source, so that only the
# texts written in English wait for their Chinese.
#   chinese-stays-chinese.pl translations/merion_zh.ts
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my $file = shift or die "usage: $0 TS_FILE\n";
open(my $in, '<', $file) or die "$file: $!\n";
my $text = do { local $/; <$in> };
close($in);

$text =~ s{(<message(?: numerus="yes")?>\s*<source>((?:(?!</source>).)*)</source>\s*)<translation type="unfinished">(.*?)</translation>}{
    my ($head, $source, $inner) = ($1, $2, $3);
    if ($source !~ /\p{Han}/) {
        "$head<translation type=\"unfinished\">$inner</translation>";
    } elsif ($inner =~ /<numerusform>/) {
        "$head<translation>\n            <numerusform>$source</numerusform>\n        </translation>";
    } else {
        "$head<translation>$source</translation>";
    }
}gse;

open(my $out, '>', $file) or die "$file: $!\n";
print $out $text;
close($out);
