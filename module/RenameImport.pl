#!/usr/bin/perl
# Usage: RenameImport.pl <import library> <name in the .def file> <file name of the DLL>
# GNU ld writes the .def file's LIBRARY name into the import library as the DLL to import from.
# This puts the DLL's file name in its place, padded with NULs to the same length.
use strict;
use warnings;

my ($library, $moduleName, $fileName) = @ARGV;
die "RenameImport: '$fileName' is longer than '$moduleName'\n" if length($fileName) > length($moduleName);
open(my $in, '<:raw', $library) or die "RenameImport: $library: $!\n";
my $bytes = do { local $/; <$in> };
close($in);
my $padded = $fileName . ("\0" x (length($moduleName) - length($fileName)));
my $count = ($bytes =~ s/\Q$moduleName\E\0/$padded\0/g);
die "RenameImport: no '$moduleName' in $library\n" unless $count;
open(my $out, '>:raw', $library) or die "RenameImport: $library: $!\n";
print $out $bytes;
close($out);
