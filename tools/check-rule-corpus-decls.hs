-- Lists the top-level declarations of a Haskell module as the haskell-src
-- parser (Debian's libhugs-haskell-src-bundled, run by hugs) reads them: one
-- "LINE<TAB>NAME" row per type signature, equation, class and instance, LINE
-- counted from 1. tools/check-rule-corpus.py adds them to ctags's tags, which
-- have no kind for classes and instances and leave out most operator
-- definitions. Equations inside classes and instances belong to them and are
-- not listed.
--
--   runhugs tools/check-rule-corpus-decls.hs FILE
module Main where

import Data.Char (isAlphaNum)
import Language.Haskell.Parser
import Language.Haskell.Pretty (prettyPrint)
import Language.Haskell.Syntax
import System.Environment (getArgs)
import System.Exit (exitWith, ExitCode (..))
import System.IO (hPutStrLn, stderr)

main :: IO ()
main = do
  [path] <- getArgs
  text <- readFile path
  case parseModule (withoutForall text) of
    ParseOk (HsModule _ _ _ _ decls) -> mapM_ (putStr . unlines . rows) decls
    ParseFailed loc msg -> do
      hPutStrLn stderr (path ++ ":" ++ show (srcLine loc) ++ ": " ++ msg)
      exitWith (ExitFailure 1)

-- The parser reads Haskell 98, without rank-n types ("R (forall b . (a ->
-- P b) -> P b)"); the quantifier says nothing about where declarations are.
withoutForall :: String -> String
withoutForall (c : rest)
  | not (isIdent c) && take 7 rest == "forall " =
      case break (== '.') (drop 7 rest) of
        (vars, '.' : after) | all (\v -> isIdent v || v == ' ') vars -> c : withoutForall after
        _ -> c : withoutForall rest
  | otherwise = c : withoutForall rest
withoutForall [] = []

isIdent :: Char -> Bool
isIdent v = isAlphaNum v || v == '_' || v == '\''

name :: HsName -> String
name (HsIdent s) = s
name (HsSymbol s) = s

qname :: HsQName -> String
qname (UnQual n) = name n
qname (Qual _ n) = name n
qname n@(Special _) = prettyPrint (HsTyCon n)

rows :: HsDecl -> [String]
rows (HsClassDecl loc _ n vars _) = [row loc (unwords ("class" : name n : map name vars))]
rows (HsInstDecl loc _ n types _) = [row loc (unwords ("instance" : qname n : map prettyPrint types))]
rows (HsTypeSig loc ns _) = [row loc (name n) | n <- ns]
rows (HsFunBind ms) = [row loc (name n) | HsMatch loc n _ _ _ <- ms]
rows _ = []

row :: SrcLoc -> String -> String
row loc s = show (srcLine loc) ++ "\t" ++ s
