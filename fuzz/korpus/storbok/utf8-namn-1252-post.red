Bokf√∂ring
1;260101;99,99;1930;3010;0;≈terbetalning
